unit Fournisseurs;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;

type
  TfrmFournisseurs = class(TForm)
  end;

var
  frmFournisseurs: TfrmFournisseurs;

implementation

{$R *.DFM}

end.
