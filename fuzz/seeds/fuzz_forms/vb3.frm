VERSION 2.00
Begin Form frmInvoice 
   BackColor       =   &H00C0C0C0&
   Caption         =   "Factures"
   ClientHeight    =   4020
   ClientLeft      =   1095
   ClientTop       =   1770
   ClientWidth     =   6720
   Height          =   4710
   HelpContextID   =   1
   Left            =   1035
   LinkTopic       =   "Form1"
   ScaleHeight     =   4020
   ScaleWidth      =   6720
   Top             =   1140
   Width           =   6840
   Begin CommandButton cmdPrint 
      Caption         =   "&Imprimer"
      Height          =   375
      HelpContextID   =   10
      Left            =   5160
      TabIndex        =   2
      Top             =   3480
      Width           =   1335
   End
   Begin OptionButton optPay 
      Caption         =   "Chèque"
      Height          =   255
      HelpContextID   =   20
      Index           =   0
      Left            =   240
      TabIndex        =   3
      Top             =   3240
      Value           =   -1  'True
      Width           =   1455
   End
   Begin OptionButton optPay 
      Caption         =   "Carte"
      Height          =   255
      HelpContextID   =   21
      Index           =   1
      Left            =   240
      TabIndex        =   4
      Top             =   3600
      Width           =   1455
   End
   Begin Frame fraTotals 
      Caption         =   "Totaux"
      Height          =   1815
      Left            =   3600
      TabIndex        =   0
      Top             =   240
      Width           =   2895
      Begin Frame fraTax 
         Caption         =   "TVA"
         Height          =   735
         Left            =   120
         TabIndex        =   5
         Top             =   960
         Width           =   2655
         Begin TextBox txtTax 
            Height          =   285
            HelpContextID   =   30
            Left            =   120
            TabIndex        =   6
            Text            =   "19,6"
            Top             =   300
            Width           =   1095
         End
      End
      Begin Label lblTotal 
         Caption         =   "Total :"
         Height          =   255
         HelpContextID   =   31
         Left            =   120
         TabIndex        =   1
         Top             =   360
         Width           =   1215
      End
   End
   Begin Menu mnuFile 
      Caption         =   "&Fichier"
      HelpContextID   =   100
      Begin Menu mnuFileOpen 
         Caption         =   "&Ouvrir facture..."
         HelpContextID   =   101
         Shortcut        =   ^O
      End
      Begin Menu mnuFileSep 
         Caption         =   "-"
      End
      Begin Menu mnuFileQuit 
         Caption         =   "&Quitter"
         HelpContextID   =   102
      End
   End
   Begin Menu mnuCompany 
      Caption         =   "&Société"
      HelpContextID   =   110
   End
End
Option Explicit

Sub cmdPrint_Click ()
    PrintForm
End Sub
