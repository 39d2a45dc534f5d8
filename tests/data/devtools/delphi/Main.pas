unit Main;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;

type
  TfrmMain = class(TForm)
  end;

var
  frmMain: TfrmMain;

implementation

{$R *.DFM}

end.
