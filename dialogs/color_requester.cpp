#include "dialogs/color_requester.hpp"

#include "core/color.hpp"
#include "dialogs/choice_buttons.hpp"
#include "dialogs/modal_loop.hpp"
#include "gadgets/color_icon.hpp"
#include "gadgets/push_button.hpp"
#include "gadgets/scrollbar.hpp"
#include "platform/platform.hpp"

namespace kvx {
namespace {

KVX_ScrollbarRef MakeChannelSlider(const KVX_WindowRef& window, const char* caption, int y, uint8_t value) {
    return KVX_Scrollbar::Create(window, caption, 100, y, 170, 15, float(value), 0.f, 255.f, 1.f, 0, 1);
}

uint8_t ChannelOf(const KVX_ScrollbarRef& slider) { return uint8_t(int(slider->Value) & 0xFF); }

}  // namespace

int32_t KVX_ColorRequester(const std::string& title, uint8_t red, uint8_t green, uint8_t blue) {
    const KVX_ColorRef color = KVX_Color::Create(red, green, blue);
    {
        auto window =
            KVX_Window::Create(title, GraphicsWidth() / 2 - 140, GraphicsHeight() / 2 - 75, 280, 150, 0, 1, 0, 20);
        const ChoiceButtons buttons = CreateChoiceButtons(window, "Ok", 170, 95);
        const KVX_ScrollbarRef sliders[] = {MakeChannelSlider(window, "Red", 10, red),
                                            MakeChannelSlider(window, "Green", 35, green),
                                            MakeChannelSlider(window, "Blue", 60, blue)};
        KVX_ColorIcon::Create(window, 10, 10, 66, 66, color);

        ModalSession session(window);
        window->Activate();
        bool cancelled = true;  // closing the window cancels too
        session.Run([&] {
            color->Red = ChannelOf(sliders[0]);
            color->Green = ChannelOf(sliders[1]);
            color->Blue = ChannelOf(sliders[2]);
            // Both buttons are read every frame, so neither click lingers into the next dialog.
            const bool okClicked = buttons.Confirm->Clicked() != 0 || ConfirmKeyPressed();
            const bool cancelClicked = buttons.Cancel->Clicked() != 0 || CancelKeyPressed();
            cancelled = !okClicked;
            return okClicked || cancelClicked;
        });
        // Cancelled, the chooser leaves the colour it started from.
        if (cancelled) *color = *KVX_Color::Create(red, green, blue);
    }
    SetColor(color->Red, color->Green, color->Blue);
    return 0;
}

}  // namespace kvx
