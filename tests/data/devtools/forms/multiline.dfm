object Form1: TForm1
  Caption = 
    'A long caption that goes' +
    ' on: end'
  object TMenuItem
    Caption = '-'
  end
  object Memo1: TMemo
    Lines.Strings = (
      'end'
      'object Fake: TFake')
    Picture.Data = {
      0754426974}
    HelpContext = 50
  end
end
