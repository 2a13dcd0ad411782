// The whole loader on arbitrary file content: the main window's load and save and the logon
// scan's own pass leave the same file, and a saved file loads back whole and saves the same.

#include "EventFile.h"
#include "EventState.h"
#include "FuzzSupport.h"
#include "LogonScan.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

class QuietScreens final : public LogonScreens
{
public:
    void ShowCriticalMessage(const std::string &) override {}
    bool ShowDueEvents(const std::vector<ScanRow> &, std::vector<std::string> &mails) override
    {
        mails.clear();
        return true;
    }
};

/// A folder of this process for the files, removed when it ends.
struct Folder
{
    Folder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "moonrill-fuzz-XXXXXX");
        path = ::mkdtemp(pattern.data());
    }
    ~Folder() { std::filesystem::remove_all(path); }
    std::string path;
};

const Folder &folder()
{
    static const Folder theFolder;
    return theFolder;
}

void write(const std::string &path, std::string_view content)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << content;
}

std::string read(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view content = bytesOf(data, size);
    const Date today = Date::fromYmd(2026, 12, 6);
    const std::string path = folder().path + "/events.mrl";

    write(path, content);
    EventState state;
    const LoadResult result = LoadEvents(state, path, today);
    if (result.success)
        SaveEvents(state, path);
    const std::string windowFile = read(path);

    write(path, content);
    QuietScreens screens;
    (void)RunLogonScan(folder().path, today, screens);
    FUZZ_CHECK(read(path) == windowFile);

    if (result.success) {
        EventState again;
        const LoadResult reload = LoadEvents(again, path, today);
        FUZZ_CHECK(reload.success && reload.ignored == 0);
        FUZZ_CHECK(again.Events().size() == state.Events().size());
        SaveEvents(again, path);
        FUZZ_CHECK(read(path) == windowFile);
    }
    return 0;
}
