#pragma once
// The update checker: fetches the four-field update manifest and answers questions
// about it. An object is its operation table and the fields of its last fetch.
#include <string>
#include <vector>

struct UpdateChecker;

struct UpdateCheckerOps {
    void (*destroy)(UpdateChecker* self);
    UpdateChecker* (*copy)(const UpdateChecker* self);
    bool (*Fetch)(UpdateChecker* self, const std::string& url);
    std::string (*Version)(const UpdateChecker* self);
    bool (*IsEnabled)(const UpdateChecker* self);
    std::string (*Notes)(const UpdateChecker* self);
    std::string (*DownloadAddress)(const UpdateChecker* self);
    bool (*IsUpdateAvailable)(const UpdateChecker* self, const std::string& ownVersion);
    bool (*PromptAndUpdate)(UpdateChecker* self);
    std::string (*ComposeManifest)(const UpdateChecker* self, const std::string& version, bool enabled,
                                   const std::string& notes, const std::string& downloadAddress);
};

struct UpdateChecker {
    const UpdateCheckerOps* ops;
    std::vector<std::string> fields;  // of the last fetch; empty before it
};

extern const UpdateCheckerOps UpdateCheckerTable;
extern const char ManifestSeparator[];

// A new object: the table and an empty field array. Freed with ops->destroy.
UpdateChecker* NewUpdateChecker();
// Splits a manifest at every separator; the parts are taken as they are.
std::vector<std::string> SplitManifest(const std::string& text);
