unit Second;
end.
