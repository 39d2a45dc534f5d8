VERSION 5.00
Begin VB.Form F
   Begin VB.TextBox A
      HelpContextID   =
      WhatsThisHelpID =   -5
      Index           =   
   End
   Begin VB.TextBox B
      HelpContextID   =   99999999999
   End
End
