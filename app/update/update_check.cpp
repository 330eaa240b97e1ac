#include "app/update/update_check.h"

#include "app/update/update_checker.h"

void RunUpdateCheck() {
    UpdateChecker* checker = NewUpdateChecker();
    if (checker->ops->Fetch(checker, LZ_MANIFEST_ADDRESS) && checker->ops->IsUpdateAvailable(checker, "1"))
        checker->ops->PromptAndUpdate(checker);
    checker->ops->destroy(checker);
}
