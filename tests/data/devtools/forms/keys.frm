VERSION 5.00
Begin VB.Form Form1 
   HelpContextID   =   5
   Begin VB.CommandButton Command1 
      HelpContextID   =   100
      WhatsThisHelpID =   1000
   End
   Begin VB.OptionButton Opt 
      HelpContextID   =   101
      Index           =   2
   End
   Begin VB.Frame Frame1 
      Begin VB.CommandButton OK 
         HelpContextID   =   102
      End
   End
End
