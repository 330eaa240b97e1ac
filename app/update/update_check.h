#pragma once
// The check at start: fetch the manifest, and when a different enabled version is
// announced, offer it; a yes opens the download address and ends the program.
void RunUpdateCheck();

// Where the manifest is fetched from (a build setting).
extern const char ManifestAddress[];
