unit Articles;

interface

uses
  Windows, Messages, SysUtils, Classes, Graphics, Controls, Forms, Dialogs;

type
  TfrmArticles = class(TForm)
  end;

var
  frmArticles: TfrmArticles;

implementation

{$R *.DFM}

end.
