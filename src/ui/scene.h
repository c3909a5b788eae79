#pragma once

#include "ui/color.h"

#include <cstddef>
#include <string>
#include <vector>

namespace vexel {

enum class ShapeKind { Rectangle, Oval, Circle };

// One filled shape of the client area. Game state that belongs to a shape
// (a gun's charge, a bullet's direction) lives in its Tag, exactly as the
// rest of the game expects to find it.
struct ShapeObject {
    ShapeKind Kind = ShapeKind::Rectangle;
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    bool Visible = false;
    Color BackColor = colors::White;
    std::string Tag;
};

using ShapeId = std::size_t;

// The window's retained shapes: four numbered collections whose element 0
// is a template, plus one stacking order shared by all of them.
class Scene {
public:
    enum class Collection { Grid, Gun, Bullet, Guard };
    static constexpr std::size_t CollectionCount = 4;

    // Adds element 0 of a collection. Templates come with the window, so this
    // is only called while the window is being defined.
    void defineTemplate(Collection collection, const ShapeObject& shape);

    // Creates element n from element 0's kind, size and colour, hidden, on
    // top of the stack. Creating an element that already exists resets it.
    ShapeObject& create(Collection collection, std::size_t n);

    void bringToFront(Collection collection, std::size_t n);

    std::size_t count(Collection collection) const { return members_[index(collection)].size(); }

    ShapeObject& at(Collection collection, std::size_t n) { return shapes_[id(collection, n)]; }
    const ShapeObject& at(Collection collection, std::size_t n) const { return shapes_[id(collection, n)]; }

    ShapeObject& Grid(std::size_t n) { return at(Collection::Grid, n); }
    ShapeObject& Gun(std::size_t n) { return at(Collection::Gun, n); }
    ShapeObject& Bullet(std::size_t n) { return at(Collection::Bullet, n); }
    ShapeObject& Guard(std::size_t n) { return at(Collection::Guard, n); }
    const ShapeObject& Grid(std::size_t n) const { return at(Collection::Grid, n); }
    const ShapeObject& Gun(std::size_t n) const { return at(Collection::Gun, n); }
    const ShapeObject& Bullet(std::size_t n) const { return at(Collection::Bullet, n); }
    const ShapeObject& Guard(std::size_t n) const { return at(Collection::Guard, n); }

    // Bottom to top. Painters walk this; nothing else needs it.
    const std::vector<ShapeId>& stackingOrder() const { return stack_; }
    const ShapeObject& shape(ShapeId shapeId) const { return shapes_[shapeId]; }
    std::size_t shapeCount() const { return shapes_.size(); }

    // The collection and element number behind a shape, for tests and tools.
    struct Member {
        Collection collection;
        std::size_t n;
    };
    Member memberOf(ShapeId shapeId) const { return owners_[shapeId]; }

private:
    static constexpr std::size_t Missing = static_cast<std::size_t>(-1);
    static std::size_t index(Collection c) { return static_cast<std::size_t>(c); }
    ShapeId id(Collection collection, std::size_t n) const;
    ShapeId add(Collection collection, std::size_t n, const ShapeObject& shape);

    std::vector<ShapeObject> shapes_;
    std::vector<Member> owners_;
    std::vector<ShapeId> members_[CollectionCount];
    std::vector<ShapeId> stack_;
};

} // namespace vexel
