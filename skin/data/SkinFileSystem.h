#pragma once
// The platform services the skin data needs, behind small interfaces so the loading logic runs and is
// tested the same everywhere. Paths are the program's Windows-style UTF-16 paths.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qw {

struct TSkinDirEntry {
  std::u16string Name;  // the entry's name without its folder
  bool IsDirectory = false;
};

class TSkinFileSystem {
 public:
  virtual ~TSkinFileSystem() = default;
  virtual bool FileExists(const std::u16string& path) = 0;
  virtual bool DirectoryExists(const std::u16string& path) = 0;
  // Creates the folder and any missing parents; true when it exists afterwards.
  virtual bool ForceDirectories(const std::u16string& path) = 0;
  // The whole file; nothing when it cannot be read.
  virtual std::optional<std::vector<uint8_t>> ReadFile(const std::u16string& path) = 0;
  // Replaces the file with the bytes; false when it cannot be written.
  virtual bool WriteFile(const std::u16string& path, const std::vector<uint8_t>& bytes) = 0;
  // Every entry of the folder ("." and ".." included when the system lists them).
  virtual std::vector<TSkinDirEntry> ListDirectory(const std::u16string& path) = 0;
  // The folder of the running program with a trailing backslash.
  virtual std::u16string ProgramFolder() = 0;
};

// Message boxes the engine shows.
class TSkinMessages {
 public:
  virtual ~TSkinMessages() = default;
  // The engine's error box: caption "Error", error icon, one OK button.
  virtual void ErrorBox(const std::u16string& text) = 0;
  // The framework's message dialog with the warning icon and one OK button.
  virtual void WarningBox(const std::u16string& text) = 0;
  // A plain message box.
  virtual void InfoBox(const std::u16string& text) = 0;
};

// Facts about the running system.
class TSkinSystem {
 public:
  virtual ~TSkinSystem() = default;
  // The current RGB value (0x00BBGGRR) of system colour Index (COLOR_BTNFACE is 15).
  virtual uint32_t SysColor(int index) = 0;
  // The width of a sizing frame (SM_CXFRAME).
  virtual int FrameWidth() = 0;
  // The program's command-line arguments after its own name.
  virtual std::vector<std::u16string> CommandLineArgs() = 0;
  // Milliseconds since the system started.
  virtual uint32_t TickCount() = 0;
  // The user asked the system for high contrast (SPI_GETHIGHCONTRAST).
  virtual bool HighContrast() { return false; }
};

// The real services of this platform (std::filesystem for files; Win32 or the console for the rest).
TSkinFileSystem& SystemSkinFileSystem();
TSkinMessages& SystemSkinMessages();
TSkinSystem& SystemSkinSystem();

// The system colours of a default Windows 10 installation, used where there is no Windows.
uint32_t DefaultSysColor(int index);

// System colour indexes the skin data uses.
inline constexpr int COLOR_WINDOW_INDEX = 5;
inline constexpr int COLOR_WINDOWTEXT_INDEX = 8;
inline constexpr int COLOR_HIGHLIGHT_INDEX = 13;
inline constexpr int COLOR_HIGHLIGHTTEXT_INDEX = 14;
inline constexpr int COLOR_BTNFACE_INDEX = 15;

}  // namespace qw
