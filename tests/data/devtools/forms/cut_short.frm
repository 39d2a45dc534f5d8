VERSION 5.00
Begin VB.Form F
   Begin VB.Frame A
      Begin VB.Label B
         HelpContextID = 3
