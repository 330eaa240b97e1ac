#include "app/update/update_checker.h"

#include <cmath>

#include "runtime/datetime.h"
#include "runtime/html/address.h"
#include "runtime/services.h"

const char ManifestSeparator[] = "【↑更新↑】";

namespace {

bool HasAllFields(const UpdateChecker* self) { return self->fields.size() >= 4; }

std::string Field(const UpdateChecker* self, size_t index) {
    return HasAllFields(self) ? self->fields[index] : std::string();
}

void Destroy(UpdateChecker* self) { delete self; }

UpdateChecker* Copy(const UpdateChecker* self) { return new UpdateChecker{self->ops, self->fields}; }

bool Fetch(UpdateChecker* self, const std::string& url) {
    std::string body;
    rt::HttpReadFile(url, body);
    self->fields = SplitManifest(body.substr(0, body.find('\0')));
    return self->fields.size() > 3;
}

std::string Version(const UpdateChecker* self) { return Field(self, 0); }
bool IsEnabled(const UpdateChecker* self) { return HasAllFields(self) && self->fields[1] == "真"; }
std::string Notes(const UpdateChecker* self) { return Field(self, 2); }
std::string DownloadAddress(const UpdateChecker* self) { return Field(self, 3); }

bool IsUpdateAvailable(const UpdateChecker* self, const std::string& ownVersion) {
    double difference = std::fabs(rt::TextToNumber(ownVersion) - rt::TextToNumber(Version(self)));
    return difference > 0.0000001 && IsEnabled(self);
}

bool PromptAndUpdate(UpdateChecker* self) {
    // Only a web address may reach the shell: a manifest naming a program or a local
    // file must not get it started on the user's yes.
    if (!HasAllFields(self) || !html::IsWebAddress(DownloadAddress(self))) return false;
    std::string text = "检测到软件有新版本，请问是否更新？\r\n\r\n更新说明：\r\n" + Notes(self);
    if (rt::MessageBoxText(text, 36, "更新") == 6) return false;
    rt::ShellOpen(DownloadAddress(self));
    rt::EndProgram(0);
    return true;
}

std::string ComposeManifest(const UpdateChecker*, const std::string& version, bool enabled, const std::string& notes,
                            const std::string& downloadAddress) {
    return version + ManifestSeparator + (enabled ? "真" : "假") + ManifestSeparator + notes + ManifestSeparator +
           downloadAddress;
}

}  // namespace

const UpdateCheckerOps UpdateCheckerTable{Destroy,   Copy,  Fetch,           Version,
                                          IsEnabled, Notes, DownloadAddress, IsUpdateAvailable,
                                          PromptAndUpdate, ComposeManifest};

UpdateChecker* NewUpdateChecker() { return new UpdateChecker{&UpdateCheckerTable, {}}; }

std::vector<std::string> SplitManifest(const std::string& text) {
    std::vector<std::string> parts;
    const size_t separatorLength = sizeof ManifestSeparator - 1;
    size_t start = 0;
    for (size_t at; (at = text.find(ManifestSeparator, start)) != std::string::npos; start = at + separatorLength)
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}
