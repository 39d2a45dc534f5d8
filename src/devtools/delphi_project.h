// The reader of a Delphi project (".DPR"): the units with a form, each
// form read as text, directly when the ".DFM" is already text, else through
// Delphi's converter, which writes the text beside it as ".TXT".
#pragma once

#include <string>

#include "devtools/form_project.h"

namespace veldor {

// The converter path of the settings ("Fichier"/"convert"), "" when unset.
std::string ConverterPathSetting();

// The converter's command line for one binary form: the converter, a
// blank and the form's path in double quotes (the converter in double
// quotes too when it is an existing file whose path holds blanks).
std::string ConverterCommandLine(const std::string& converter, const std::string& dfmPath);

// Starts `commandLine` (no shell; the "Programmes" mapping applies) and
// waits for its end. False, with why in `reason`, when it cannot start.
bool RunConverter(const std::string& commandLine, std::string* reason = nullptr);

class CDelphiProject : public CFormProject {
 public:
  // Reads the project file and the form of each unit it names ("Unit1 in
  // 'Unit1.pas' {Form1}"). False, with `error` set, when the project file
  // does not exist or cannot be read. Forms that cannot be read are listed
  // in `skipped` with the reason.
  bool ReadDelphiProject(const std::string& path);
  // Reads one text form (".TXT" or text ".DFM") into the next form root.
  bool ReadDelphiForm(const std::string& path);

  // The converter to run on binary forms ("" = none: binary forms are read
  // only from a ".TXT" already beside them).
  std::string converterPath = ConverterPathSetting();

 private:
  void ReadUnitForm(const std::string& projectDir, const std::string& unitName);
  // The form of a binary ".DFM", through the converter.
  void ReadConvertedForm(const std::string& dfmPath);

  bool converterFailed_ = false;
  std::string converterError_;
};

}  // namespace veldor
