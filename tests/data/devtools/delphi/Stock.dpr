program Stock;

uses
  Forms,
  Main in 'Main.pas' {frmMain},
  Articles in 'Forms\Articles.pas' {frmArticles},
  Fournisseurs in 'FORMS\fournisseurs.PAS' {frmFournisseurs},
  Rapport in 'Rapport.pas' {frmRapport},
  Outils in 'Outils.pas',
  Absent in 'Absent.pas' {frmAbsent};

{$R *.RES}

begin
  Application.Initialize;
  Application.HelpFile := 'STOCK.HLP';
  Application.CreateForm(TfrmMain, frmMain);
  Application.Run;
end.
