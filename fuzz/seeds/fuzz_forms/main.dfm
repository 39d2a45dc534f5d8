object frmMain: TfrmMain
  Left = 200
  Top = 108
  Width = 640
  Height = 480
  HelpContext = 100
  Caption = 'Gestion du stock'
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -11
  Font.Name = 'MS Sans Serif'
  Font.Style = []
  Menu = mmMain
  OldCreateOrder = True
  PixelsPerInch = 96
  TextHeight = 13
  object pnlTop: TPanel
    Left = 0
    Top = 0
    Width = 632
    Height = 41
    Align = alTop
    HelpContext = 110
    TabOrder = 0
    object pnlSearch: TPanel
      Left = 8
      Top = 4
      Width = 300
      Height = 33
      BevelOuter = bvLowered
      TabOrder = 0
      object edtSearch: TEdit
        Left = 4
        Top = 6
        Width = 200
        Height = 21
        HelpContext = 111
        TabOrder = 0
        Text = 'end'
      end
      object btnSearch: TButton
        Left = 210
        Top = 4
        Width = 75
        Height = 25
        Caption = 
          'Chercher un article dans le stock, avec une l'#233'gende qui conti' +
          'nue sur la ligne suivante'
        HelpContext = 112
        TabOrder = 1
      end
    end
    object imgLogo: TImage
      Left = 560
      Top = 4
      Width = 32
      Height = 32
      Picture.Data = {
        07544269746D617076010000424D760100000000000076000000280000002000
        0000200000000100040000000000000100000000000000000000000000000000
        00000000000000000080000080000000808000800000008000800080800000C0}
    end
  end
  object lvStock: TListView
    Left = 0
    Top = 41
    Width = 632
    Height = 373
    Align = alClient
    Columns = <
      item
        Caption = 'Article'
        Width = 150
      end
      item
        Caption = 'Quantit'#233
        Width = 80
      end
      item
        Caption = 'end'
      end>
    HelpContext = 120
    TabOrder = 1
    ViewStyle = vsReport
  end
  object sbStock: TStatusBar
    Left = 0
    Top = 414
    Width = 632
    Height = 19
    HelpContext = 130
    Panels = <
      item
        Width = 50
      end
      item
        Text = 'object Faux: TFaux'
        Width = 50
      end>
    SimplePanel = False
  end
  object memNotes: TMemo
    Left = 320
    Top = 8
    Width = 100
    Height = 25
    HelpContext = 140
    Lines.Strings = (
      'end'
      'object Faux: TFaux')
    TabOrder = 2
  end
  object mmMain: TMainMenu
    Left = 8
    Top = 8
    object mnuFichier: TMenuItem
      Caption = '&Fichier'
      HelpContext = 200
      object mnuImprimer: TMenuItem
        Caption = '&Imprimer...'
        HelpContext = 201
        ShortCut = 16464
      end
      object TMenuItem
        Caption = '-'
      end
      object mnuQuitter: TMenuItem
        Caption = '&Quitter'
        HelpContext = 202
        ShortCut = 32883
      end
    end
  end
  object alMain: TActionList
    Left = 40
    Top = 8
    object actSave: TAction
      Caption = 'Enregistrer'
      HelpContext = 300
    end
  end
end
