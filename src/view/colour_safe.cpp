#include "view/colour_safe.h"

namespace vexel::view {

std::optional<SignalLook> signalOf(Scene::Collection collection, Color fill)
{
    using C = Scene::Collection;
    const ShapeKind kind = collection == C::Grid     ? ShapeKind::Rectangle
                           : collection == C::Bullet ? ShapeKind::Circle
                           : collection == C::Gun    ? ShapeKind::Oval
                                                     : ShapeKind::Rectangle;
    if (collection == C::Guard)
        return std::nullopt;
    for (const SignalLook& look : SignalLooks) {
        if (look.kind == kind && look.fill == fill)
            return look;
    }
    return std::nullopt;
}

} // namespace vexel::view
