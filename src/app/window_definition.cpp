#include "app/window_definition.h"

#include "player/caption.h"
#include "ui/scene.h"
#include "ui/window_host.h"

namespace vexel::window {

void defineTemplates(Scene& scene)
{
    using C = Scene::Collection;
    // Positions other than the bullet's are replaced at start-up.
    scene.defineTemplate(C::Grid, {ShapeKind::Rectangle, 0, 0, 25, 25, true, colors::White, {}});
    scene.defineTemplate(C::Gun, {ShapeKind::Oval, 0, 0, 25, 57, true, rgb(255, 255, 192), {}});
    // The bullet template lies under the top and left guards for good; it is
    // kept hidden so that nothing of it can ever show.
    scene.defineTemplate(C::Bullet, {ShapeKind::Circle, 16, 32, 25, 25, false, colors::Bullet, {}});
    scene.defineTemplate(C::Guard, {ShapeKind::Rectangle, 0, 0, 81, 33, true, colors::Black, {}});
}

void applyDefinition(WindowHost& host)
{
    host.setCaption(caption::running(0));
    for (MenuItem item : {MenuItem::ShowBadSquares, MenuItem::ShowLevel, MenuItem::TwoWay})
        host.setChecked(item, false);
    host.setTimerEnabled(true);
}

} // namespace vexel::window
