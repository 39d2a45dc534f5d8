inherited frmArticles: TfrmArticles
  Caption = 'Articles'
  HelpContext = 400
  PixelsPerInch = 96
  TextHeight = 13
  inherited pnlBoutons: TPanel
    HelpContext = 410
    inherited btnOK: TButton
      HelpContext = 411
    end
    inherited btnAnnuler: TButton
    end
  end
  object edtCode: TEdit [2]
    Left = 8
    Top = 8
    Width = 121
    Height = 21
    HelpContext = 420
    TabOrder = 2
  end
  object grpDetails: TGroupBox [3]
    Left = 8
    Top = 40
    Width = 300
    Height = 120
    Caption = 'D'#233'tails'
    TabOrder = 3
    object lblPrix: TLabel
      Left = 8
      Top = 16
      Width = 24
      Height = 13
      HelpContext = 120
      Caption = 'Prix'
    end
  end
end
