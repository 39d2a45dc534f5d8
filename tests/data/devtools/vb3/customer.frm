VERSION 2.00
Begin Form frmCustomer 
   Caption         =   "Clients"
   ClientHeight    =   3000
   ClientWidth     =   5000
   HelpContextID   =   2
   LinkTopic       =   "Form2"
   Begin CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      HelpContextID   =   10
      TabIndex        =   0
   End
   Begin TextBox txtName 
      HelpContextID   =   40
      TabIndex        =   1
   End
   Begin TextBox txtPhone 
      HelpContextID   =   70000
      TabIndex        =   2
   End
   Begin TextBox txtNotes 
      HelpContextID   =   
      TabIndex        =   3
   End
End
