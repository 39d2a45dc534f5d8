program Two;
uses
  Rapport in 'Rapport.pas' {frmRapport},
  Second in 'Second.pas' {frmSecond};
begin
end.
