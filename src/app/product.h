// The program's names.
#pragma once

namespace wendora {

// The application title. It names the program's section in the shared
// build-number file and captions the fatal start-up report.
inline constexpr const char* kProgramTitle = "TWendora";

// The product name of the version record: the title of the message boxes.
inline constexpr const char* kProductName = "Tamberlyn Wendora 2002";

}  // namespace wendora
