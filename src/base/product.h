// The program's names.
#pragma once

namespace wendora {

// The application title. It names the program's section in the shared
// build-number file and captions the fatal start-up report.
inline constexpr const char* kProgramTitle = "TWendora";

}  // namespace wendora
