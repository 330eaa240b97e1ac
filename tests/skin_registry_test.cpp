// The window registry with real windows and controls: numbering, removal with
// renumbering of every property, lookups of windows that are not registered.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "skin/engine/skin_engine.h"
#include "skin/engine/window_properties.h"

using namespace skin;

namespace {

// Top-level windows whose WM_NCDESTROY takes them out of the engine's registry, the way
// the skinned window procedure does.
LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCDESTROY && SkinEngine::current()) {
        WindowRegistry& registry = SkinEngine::current()->registry();
        if (const int index = registry.lookup(window)) registry.remove(index);
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

const char* testWindowClass() {
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = testWindowProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "SkinRegistryTestWindow";
        return RegisterClassA(&wc);
    }();
    return atom ? "SkinRegistryTestWindow" : nullptr;
}

HWND makeWindow() {
    return CreateWindowExA(0, testWindowClass(), "测试窗口", WS_POPUP, 0, 0, 300, 200, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

HWND makeChild(HWND parent, const char* className) {
    return CreateWindowExA(0, className, "", WS_CHILD, 0, 0, 50, 20, parent, nullptr, GetModuleHandleA(nullptr),
                           nullptr);
}

// A skinned window with two buttons, an edit, a container and a generic child, all
// carrying the owner's index as a real installer leaves them.
std::unique_ptr<SkinWindowRecord> recordWithControls(HWND window, int index) {
    auto record = std::make_unique<SkinWindowRecord>();
    record->window = window;
    for (int i = 0; i < 2; ++i) {
        record->buttons.emplace_back();
        record->buttons.back().hwnd = makeChild(window, "BUTTON");
    }
    record->edits.push_back({makeChild(window, "EDIT"), nullptr});
    record->containers.emplace_back();
    record->containers.back().hwnd = makeChild(window, "STATIC");
    record->genericChildren.push_back({makeChild(window, "STATIC"), nullptr});
    record->forEachControl([index](HWND control) { setIntProperty(control, prop::ownerIndex, index); });
    setIntProperty(record->genericChildren[0].hwnd, prop::genericOwnerIndex, index);
    return record;
}

std::vector<HWND> controlsOf(const SkinWindowRecord& record) {
    std::vector<HWND> controls;
    record.forEachControl([&](HWND control) { controls.push_back(control); });
    return controls;
}

}  // namespace

TEST(WindowRegistry, RemovingAWindowRenumbersTheOthersAndTheirControls) {
    SkinEngine engine;
    WindowRegistry& registry = engine.registry();
    HWND windows[3] = {makeWindow(), makeWindow(), makeWindow()};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(registry.add(recordWithControls(windows[i], i + 1)), i + 1);
        EXPECT_EQ(intProperty(windows[i], prop::index), i + 1);
    }
    ASSERT_EQ(registry.size(), 3);

    DestroyWindow(windows[1]);

    ASSERT_EQ(registry.size(), 2);
    const HWND remaining[2] = {windows[0], windows[2]};
    for (int index = 1; index <= 2; ++index) {
        const SkinWindowRecord& record = registry.at(index);
        EXPECT_EQ(record.window, remaining[index - 1]);
        EXPECT_EQ(intProperty(record.window, prop::index), index);
        EXPECT_EQ(registry.lookup(record.window), index);
        const std::vector<HWND> controls = controlsOf(record);
        EXPECT_EQ(controls.size(), 4u);
        for (HWND control : controls) EXPECT_EQ(intProperty(control, prop::ownerIndex), index);
        EXPECT_EQ(intProperty(record.genericChildren[0].hwnd, prop::genericOwnerIndex), index);
    }
    EXPECT_EQ(registry.lookup(windows[1]), 0);
    DestroyWindow(windows[0]);
    DestroyWindow(windows[2]);
    EXPECT_EQ(registry.size(), 0);
}

TEST(WindowRegistry, ASecondRegistrationChangesNothing) {
    SkinEngine engine;
    HWND window = makeWindow();
    auto first = std::make_unique<SkinWindowRecord>();
    first->window = window;
    first->captionHeight = 30;
    ASSERT_EQ(engine.registry().add(std::move(first)), 1);

    auto second = std::make_unique<SkinWindowRecord>();
    second->window = window;
    second->captionHeight = 40;
    EXPECT_EQ(engine.registry().add(std::move(second)), 0);
    EXPECT_EQ(engine.registry().size(), 1);
    EXPECT_EQ(engine.registry().at(1).captionHeight, 30);
    EXPECT_EQ(intProperty(window, prop::index), 1);
    DestroyWindow(window);
}

TEST(WindowRegistry, WindowsThatAreNotRegisteredAreNotFound) {
    SkinEngine engine;
    HWND registered = makeWindow();
    auto record = recordWithControls(registered, 1);
    const HWND control = record->buttons[0].hwnd;
    setIntProperty(control, prop::index, 1);  // a control index, not a window index
    engine.registry().add(std::move(record));

    HWND beyond = makeWindow();
    setIntProperty(beyond, prop::index, 5);
    HWND never = makeWindow();
    const struct { const char* what; HWND window; } cases[] = {
        {"never skinned", never}, {"index beyond the registry", beyond}, {"a control", control}, {"null", nullptr}};
    for (const auto& c : cases) {
        EXPECT_EQ(engine.registry().lookup(c.window), 0) << c.what;
        EXPECT_EQ(engine.registry().find(c.window), nullptr) << c.what;
    }
    EXPECT_EQ(GetPropA(never, prop::index), nullptr);
    EXPECT_EQ(engine.registry().lookup(registered), 1);
    DestroyWindow(registered);
    DestroyWindow(beyond);
    DestroyWindow(never);
}

TEST(SkinEngineOperations, AWindowThatIsNotSkinnedGetsNothingDone) {
    SkinEngine engine;
    HWND skinned = makeWindow();
    auto record = std::make_unique<SkinWindowRecord>();
    record->window = skinned;
    engine.registry().add(std::move(record));

    HWND window = makeWindow();
    HWND button = makeChild(window, "BUTTON");
    const gdip::Bytes picture = {1, 2, 3};
    bool handlerRan = false;
    auto handler = [&] { handlerRan = true; };

    EXPECT_FALSE(engine.addCaptionButton(window, picture, "按钮", handler));
    EXPECT_FALSE(engine.setCaptionFont(window, {}));
    EXPECT_FALSE(engine.setWindowPicture(window, picture, 3));
    engine.setHelpHandler(window, handler);
    engine.setMenuHandler(window, handler);
    EXPECT_EQ(engine.setStatusPanel(window, 1, "文字"), 0);
    EXPECT_EQ(engine.setStatusBarStyle(window, {}), 0);
    const RECT strip = engine.getCaptionButtonStrip(window);
    EXPECT_EQ(strip.left | strip.top | strip.right | strip.bottom, 0);
    EXPECT_EQ(engine.setCaptionButtonImages(window, {picture, picture, picture, picture}), 0);
    EXPECT_EQ(engine.skinImageButton(button, picture, 1, "提示"), 0);
    EXPECT_EQ(engine.skinMultiImageButton(button, picture, picture, picture, picture, "提示"), 0);

    EXPECT_FALSE(handlerRan);
    EXPECT_EQ(engine.registry().size(), 1);
    EXPECT_TRUE(engine.registry().at(1).captionButtons.empty());
    EXPECT_TRUE(engine.registry().at(1).buttons.empty());
    for (HWND w : {window, button})
        for (const char* name : {prop::index, prop::ownerIndex, prop::previousProc})
            EXPECT_EQ(GetPropA(w, name), nullptr) << name;

    // The same calls do change a window that skinWindow registered, so the pair fails
    // when either half breaks.
    HWND real = makeWindow();
    engine.skinWindow(real);
    const int before = static_cast<int>(engine.registry().find(real)->captionButtons.size());
    EXPECT_TRUE(engine.addCaptionButton(real, picture, "按钮", handler));
    EXPECT_TRUE(engine.setCaptionFont(real, {.fontSize = 20}));
    EXPECT_TRUE(engine.setWindowPicture(real, picture, 3));
    const SkinWindowRecord& changed = *engine.registry().find(real);
    EXPECT_EQ(static_cast<int>(changed.captionButtons.size()), before + 1);
    EXPECT_EQ(changed.captionFontSize, 20);
    EXPECT_EQ(changed.picture, picture);
    EXPECT_NE(GetPropA(real, prop::previousProc), nullptr);
    DestroyWindow(real);
    DestroyWindow(window);
    DestroyWindow(skinned);
}
