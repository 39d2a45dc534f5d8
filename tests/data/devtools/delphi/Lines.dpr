program Lines;
uses Forms, Main, Articles;
uses Main in 'Main.pas' {frmMain};
  Absent in 'Absent.pas' {frmAbsent},
  Outils in 'Outils.pas',
  Articles in 'Forms\Articles.pas';
begin
end.
