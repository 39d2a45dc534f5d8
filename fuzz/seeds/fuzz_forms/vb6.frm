VERSION 5.00
Object = "{831FDD16-0C5C-11D2-A9FC-0000F8754DA1}#2.0#0"; "MSCOMCTL.OCX"
Begin VB.Form frmMain 
   Caption         =   "Grand livre"
   ClientHeight    =   5400
   ClientLeft      =   165
   ClientTop       =   855
   ClientWidth     =   7800
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   HelpContextID   =   1000
   LinkTopic       =   "Form1"
   ScaleHeight     =   5400
   ScaleWidth      =   7800
   StartUpPosition =   3  'Windows Default
   WhatsThisButton =   -1  'True
   WhatsThisHelp   =   -1  'True
   Begin MSComctlLib.Toolbar tbrMain 
      Align           =   1  'Align Top
      Height          =   420
      HelpContextID   =   1050
      Left            =   0
      TabIndex        =   5
      Top             =   0
      Width           =   7800
      _ExtentX        =   13758
      _ExtentY        =   741
      ButtonWidth     =   609
      Appearance      =   1
      BeginProperty Buttons {66833FE8-8583-11D1-B16A-00C0F0283628} 
         NumButtons      =   2
         BeginProperty Button1 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "new"
            Object.ToolTipText     =   "Nouveau compte"
            ImageIndex      =   1
         EndProperty
         BeginProperty Button2 {66833FEA-8583-11D1-B16A-00C0F0283628} 
            Key             =   "end"
            Object.ToolTipText     =   "Fin"
            Index           =   7
         EndProperty
      EndProperty
   End
   Begin MSComctlLib.StatusBar sbrMain 
      Align           =   2  'Align Bottom
      Height          =   315
      HelpContextID   =   1100
      Left            =   0
      TabIndex        =   4
      Top             =   5085
      Width           =   7800
      _ExtentX        =   13758
      _ExtentY        =   556
      BeginProperty Panels {8E3867A5-8586-11D1-B16A-00C0F0283628} 
         NumPanels       =   2
         BeginProperty Panel1 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            AutoSize        =   1
            Object.Width           =   10610
            Text            =   "Prêt"
            TextSave        =   "Prêt"
         EndProperty
         BeginProperty Panel2 {8E3867AB-8586-11D1-B16A-00C0F0283628} 
            Style           =   6
            TextSave        =   "12/05/1999"
         EndProperty
      EndProperty
   End
   Begin VB.Frame fraAccount 
      Caption         =   "Compte"
      Height          =   3135
      HelpContextID   =   1200
      Left            =   120
      TabIndex        =   0
      Top             =   600
      WhatsThisHelpID =   2200
      Width           =   4575
      Begin VB.Frame fraBalance 
         Caption         =   "Solde"
         Height          =   975
         Left            =   120
         TabIndex        =   6
         Top             =   1920
         Width           =   4215
         Begin VB.TextBox txtBalance 
            Alignment       =   1  'Right Justify
            Height          =   285
            HelpContextID   =   1210
            Left            =   120
            TabIndex        =   7
            Text            =   "0,00"
            Top             =   360
            WhatsThisHelpID =   2210
            Width           =   1575
         End
      End
      Begin VB.CommandButton cmdPost 
         Caption         =   "&Passer l'écriture"
         Height          =   375
         HelpContextID   =   1220
         Index           =   0
         Left            =   120
         TabIndex        =   1
         Top             =   360
         Width           =   1935
      End
      Begin VB.CommandButton cmdPost 
         Caption         =   "&Annuler"
         Height          =   375
         HelpContextID   =   1221
         Index           =   1
         Left            =   2160
         TabIndex        =   2
         Top             =   360
         Width           =   1935
      End
   End
   Begin VB.Label lblInfo 
      Caption         =   $"frmMain.frx":0000
      Height          =   855
      HelpContextID   =   1220
      Left            =   4800
      TabIndex        =   3
      Top             =   600
      WhatsThisHelpID =   2300
      Width           =   2895
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&Fichier"
      HelpContextID   =   1500
      Begin VB.Menu mnuFileNew 
         Caption         =   "&Nouveau compte"
         HelpContextID   =   1501
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileSep1 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "&Quitter"
         HelpContextID   =   1502
      End
   End
End
Attribute VB_Name = "frmMain"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdPost_Click(Index As Integer)
    If Index = 1 Then Unload Me
End Sub
