VERSION 5.00
Begin VB.Form frmAbout 
   Caption         =   "À propos"
   ClientHeight    =   1800
   ClientWidth     =   3600
   Begin VB.Label lblVersion 
      Caption         =   "Version 1.0"
   End
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Fermer"
   End
End
Attribute VB_Name = "frmAbout"
