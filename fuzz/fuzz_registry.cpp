// libFuzzer target for the registry-file reader: each input as the bytes of a hive file, then a few
// look-ups of the Susie key. Run with file names instead of a corpus folder, the program replays
// those files once each.
#include <cstdint>
#include <string>

#include "platform/win/RegistryHive.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const TRegistryHive hive("HKEY_CURRENT_USER", RegistryFileText(bytes));
    for (const char* key : {"", "Software", "Software\\Veltomar\\Susie\\Plug-in"}) {
        hive.KeyExists(key);
        if (const TRegValue* value = hive.FindValue(key, "Path"))
            (void)value->Text.size();
    }
    return 0;
}
