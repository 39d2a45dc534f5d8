VERSION 2.00
Begin Form Form1
   Begin Menu mnuFile
      Caption         =   "&Open File"
      HelpContextID   =   7
      Begin Menu mnuSep
         Caption         =   "-"
      End
      Begin Menu mnuEmpty
         Caption         =   ""
         HelpContextID   =   8
      End
   End
End
