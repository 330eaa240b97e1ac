#include "app/update/update_check.h"

#include "app/update/update_checker.h"

const char ManifestAddress[] = LZ_MANIFEST_ADDRESS;

void RunUpdateCheck() {
    UpdateChecker* checker = NewUpdateChecker();
    if (checker->ops->Fetch(checker, ManifestAddress) && checker->ops->IsUpdateAvailable(checker, "1"))
        checker->ops->PromptAndUpdate(checker);
    checker->ops->destroy(checker);
}
