#!/bin/sh
# Writes, as the Delphi converter does, the text form beside the binary one.
txt="${1%.*}.TXT"
printf 'object frmRapport: TfrmRapport\r\n  HelpContext = 600\r\n  object btnImprimer: TButton\r\n    HelpContext = 610\r\n  end\r\nend\r\n' > "$txt"
