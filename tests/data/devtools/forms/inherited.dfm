  inherited Form2: TForm2
  HelpContext = 40
  inherited Panel1: TPanel
    inherited Button1: TButton
      HelpContext = 41
    end
  end
  object Edit1: TEdit [2]
    HelpContext = 42
  end
  inline Frame1: TFrame1
    HelpContext = 43
  end
end
