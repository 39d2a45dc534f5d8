object Form1: TForm1
  HelpContext = 25
  object Button1: TButton
    HelpContext = 26
  end
  object Panel1:TPanel
    object Panel2: TPanel
      object Edit1: TEdit
        HelpContext = 27
      end
    end
  end
end
