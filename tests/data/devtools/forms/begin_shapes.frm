VERSION 5.00
Begin VB.Form F
   Begin VB.Frame
      HelpContextID = 1
   End
   Begin VB.Frame Named Extra Words
   End
   Begin VB.Label Last
      HelpContextID = 2
   End
End
