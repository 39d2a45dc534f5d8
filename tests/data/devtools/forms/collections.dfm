object Form1: TForm1
  object StatusBar1: TStatusBar
    Panels = <
      item
        Width = 50
      end
      item
        Text = 'object X: TX'
      end>
    HelpContext = 30
  end
  object Grid: TDBGrid
    Columns = <
      item
        Title.Font.Style = []
        Items = <
          item
            HelpContext = 999
          end>
      end>
    Empty = <>
    HelpContext = 31
  end
  HelpContext = 32
end
