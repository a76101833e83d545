#pragma once

#include <string>
#include <string_view>

#include "files/file_error.h"
#include "present/language.h"

namespace present {

// How the windows say why a file command failed, in the window's language;
// the English words are files' own (files::FileErrorText, RefusalText),
// which cgcalc-cli and the logs show. No full stop; whoever shows the
// message adds it.

// The message for a file error code (files::FileError::Code()), for every
// code: an errno the program does not expect is the system's own English
// description after the language's "The system says: ".
std::string FileErrorText(int code, Language language);

// The message for a file the model reader refuses, naming it by `name`:
// "model.dat ist ein Ordner, keine Modelldatei".
std::string RefusalText(files::Refusal refusal, std::string_view name, Language language);

}  // namespace present
