unit Rapport;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;

type
  TfrmRapport = class(TForm)
  end;

var
  frmRapport: TfrmRapport;

implementation

{$R *.DFM}

end.
