unit Outils;

interface

function Arrondi(Valeur: Double): Double;

implementation

function Arrondi(Valeur: Double): Double;
begin
  Result := Round(Valeur * 100) / 100;
end;

end.
