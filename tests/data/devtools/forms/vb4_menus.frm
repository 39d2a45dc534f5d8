VERSION 4.00
Begin VB.Form Form1
   Begin VB.Menu mnuFile
      Caption = "&File"
      HelpContextID = 9
   End
End
