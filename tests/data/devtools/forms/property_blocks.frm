VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form Main
   BeginProperty Font 
      Name            =   "MS Sans Serif"
   EndProperty
   Begin MSComctlLib.Toolbar tbr
      HelpContextID   =   3
      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628}
         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628}
            Key             =   "end"
            Index           =   4
            HelpContextID   =   99
         EndProperty
      EndProperty
      WhatsThisHelpID =   30
   End
   Begin VB.Label lbl
      Caption         =   $"Main.frx":0000
      HelpContextID   =   4
   End
End
Attribute VB_Name = "Main"
Private Sub Form_Load()
End Sub
