VERSION 2.00
Begin Form frmSearch 
   Caption         =   "Recherche"
   ClientHeight    =   2000
   ClientWidth     =   4000
   Begin Label lblHint 
      Caption         =   "Tapez le début du nom"
   End
End
