#include "watcher/program_files.h"

#include "base/path.h"
#include "base/text.h"

namespace wendora {
namespace {

// What Windows has in PATHEXT when nobody changed it.
constexpr std::string_view kUsualSystemList =
    ".COM;.EXE;.BAT;.CMD;.VBS;.VBE;.JS;.JSE;.WSF;.WSH;.MSC";

// The kinds of files that run code or reach the network when the shell
// opens them, besides those in PATHEXT:
// - the programs that Windows runs whatever PATHEXT says;
// - the kinds that Chromium's download protection treats as dangerous on
//   Windows (danger level DANGEROUS or ALLOW_ON_USER_GESTURE in
//   components/safe_browsing/content/resources/download_file_types.asciipb,
//   version 49);
// - kinds newer than that list, or that Windows opens in ways that hide
//   where their contents came from: disk images that mount (.iso, .vhd,
//   .vhdx), app packages and their installers, PowerShell modules, shell
//   libraries, troubleshooting packs and themes, which fetch what they name,
//   files that connect to servers, and packages that install what they hold.
constexpr std::string_view kDangerousKinds[] = {
    // Always programs.
    ".exe",
    ".com",
    ".bat",
    ".cmd",
    ".pif",
    ".scr",
    ".cpl",
    ".msc",
    // Chromium's list.
    ".accda",
    ".accdb",
    ".accde",
    ".accdr",
    ".ad",
    ".ade",
    ".adp",
    ".app",
    ".application",
    ".appref-ms",
    ".asp",
    ".asx",
    ".bas",
    ".bat",
    ".cer",
    ".cfg",
    ".chi",
    ".chm",
    ".class",
    ".cmd",
    ".com",
    ".cpi",
    ".cpl",
    ".crt",
    ".crx",
    ".der",
    ".dll",
    ".drv",
    ".efi",
    ".eml",
    ".exe",
    ".fon",
    ".fxp",
    ".gadget",
    ".grp",
    ".hlp",
    ".hta",
    ".htt",
    ".img",
    ".inf",
    ".ini",
    ".ins",
    ".inx",
    ".isp",
    ".isu",
    ".jar",
    ".jnlp",
    ".job",
    ".js",
    ".jse",
    ".lnk",
    ".local",
    ".mad",
    ".maf",
    ".mag",
    ".mam",
    ".manifest",
    ".maq",
    ".mar",
    ".mas",
    ".mat",
    ".mau",
    ".mav",
    ".maw",
    ".mda",
    ".mdb",
    ".mde",
    ".mdt",
    ".mdw",
    ".mdz",
    ".mht",
    ".mhtml",
    ".mmc",
    ".mof",
    ".msc",
    ".msg",
    ".msh",
    ".msh1",
    ".msh1xml",
    ".msh2",
    ".msh2xml",
    ".mshxml",
    ".msi",
    ".msp",
    ".mst",
    ".ocx",
    ".ops",
    ".oxt",
    ".paf",
    ".partial",
    ".pcd",
    ".pif",
    ".pl",
    ".plg",
    ".prf",
    ".prg",
    ".ps1",
    ".ps1xml",
    ".ps2",
    ".ps2xml",
    ".psc1",
    ".psc2",
    ".pst",
    ".py",
    ".pyc",
    ".pyd",
    ".pyo",
    ".pyw",
    ".rb",
    ".reg",
    ".rels",
    ".rgs",
    ".scf",
    ".scr",
    ".sct",
    ".search-ms",
    ".settingcontent-ms",
    ".shb",
    ".shs",
    ".slk",
    ".spl",
    ".swf",
    ".sys",
    ".u3p",
    ".url",
    ".vb",
    ".vbe",
    ".vbs",
    ".vbscript",
    ".vdx",
    ".vsd",
    ".vsdm",
    ".vsdx",
    ".vsmacros",
    ".vss",
    ".vssm",
    ".vssx",
    ".vst",
    ".vstm",
    ".vstx",
    ".vsw",
    ".vsx",
    ".vtx",
    ".website",
    ".ws",
    ".wsc",
    ".wsf",
    ".wsh",
    ".xbap",
    ".xll",
    ".xml",
    ".xnk",
    ".xrm-ms",
    ".xsd",
    ".xsl",
    // Newer, or opened in other ways.
    ".iso",
    ".vhd",
    ".vhdx",
    ".appinstaller",
    ".appx",
    ".appxbundle",
    ".msix",
    ".msixbundle",
    ".psm1",
    ".library-ms",
    ".diagcab",
    ".theme",
    ".themepack",
    ".desktopthemepack",
    // Files that connect to a server they name: remote desktops, search
    // connectors, web queries.
    ".rdp",
    ".searchconnector-ms",
    ".iqy",
    // Updates, cabinets, provisioning packages and sandboxes, which install
    // or run what they hold.
    ".msu",
    ".cab",
    ".ppkg",
    ".wsb",
};

}  // namespace

ProgramFileKinds::ProgramFileKinds(std::string_view system_list) {
  std::vector<std::string_view> entries = ListItems(system_list);
  if (entries.empty()) {
    entries = ListItems(kUsualSystemList);
  }
  for (const std::string_view entry : entries) {
    extensions_.push_back(
        AsciiLower(entry.front() == '.' ? std::string(entry) : "." + std::string(entry)));
  }
  for (const std::string_view kind : kDangerousKinds) {
    extensions_.emplace_back(kind);
  }
}

namespace {

// The path as the system reads it, as far as the text tells: "." parts
// dropped and ".." parts taken back, as "C:\x\setup.exe\." names setup.exe.
std::string Resolved(std::string_view path) {
  std::vector<std::string_view> parts;
  while (true) {
    const std::size_t separator = path.find_first_of("\\/");
    const std::string_view part = path.substr(0, separator);
    if (part == "..") {
      if (parts.size() > 1) {
        parts.pop_back();
      }
    } else if (part != "." || parts.empty()) {
      parts.push_back(part);
    }
    if (separator == std::string_view::npos) {
      break;
    }
    path.remove_prefix(separator + 1);
  }
  std::string resolved;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    resolved.append(i == 0 ? "" : "\\").append(parts[i]);
  }
  return resolved;
}

}  // namespace

bool ProgramFileKinds::Runs(std::string_view path) const {
  const std::string resolved = Resolved(path);
  std::string_view name = FileName(resolved);
  // "setup.exe:stream" and "notes.txt:setup.exe" both name code.
  while (!name.empty()) {
    const std::size_t colon = name.find(':');
    if (IsProgramExtension(name.substr(0, colon))) {
      return true;
    }
    name = colon == std::string_view::npos ? std::string_view() : name.substr(colon + 1);
  }
  return false;
}

bool ProgramFileKinds::IsProgramExtension(std::string_view name) const {
  // The system drops dots and blanks at the end of a file name.
  const std::size_t last = name.find_last_not_of(". ");
  name = last == std::string_view::npos ? std::string_view() : name.substr(0, last + 1);
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    return false;
  }
  const std::string_view extension = name.substr(dot);
  for (const std::string& kind : extensions_) {
    if (SameIgnoringAsciiCase(kind, extension)) {
      return true;
    }
  }
  return false;
}

}  // namespace wendora
