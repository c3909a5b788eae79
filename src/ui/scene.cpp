#include "ui/scene.h"

#include <algorithm>
#include <stdexcept>

namespace vexel {

ShapeId Scene::id(Collection collection, std::size_t n) const
{
    const auto& members = members_[index(collection)];
    if (n >= members.size() || members[n] == Missing)
        throw std::out_of_range("no such shape in the collection");
    return members[n];
}

ShapeId Scene::add(Collection collection, std::size_t n, const ShapeObject& shape)
{
    auto& members = members_[index(collection)];
    if (n < members.size() && members[n] != Missing) {
        shapes_[members[n]] = shape;
        return members[n];
    }
    if (n >= members.size())
        members.resize(n + 1, Missing);
    const ShapeId shapeId = shapes_.size();
    shapes_.push_back(shape);
    owners_.push_back({collection, n});
    members[n] = shapeId;
    stack_.push_back(shapeId);
    return shapeId;
}

void Scene::defineTemplate(Collection collection, const ShapeObject& shape)
{
    add(collection, 0, shape);
}

ShapeObject& Scene::create(Collection collection, std::size_t n)
{
    const ShapeObject& model = at(collection, 0);
    ShapeObject element;
    element.Kind = model.Kind;
    element.Width = model.Width;
    element.Height = model.Height;
    element.BackColor = model.BackColor;
    element.Left = model.Left;
    element.Top = model.Top;
    element.Visible = false;
    const ShapeId shapeId = add(collection, n, element);
    return shapes_[shapeId];
}

void Scene::bringToFront(Collection collection, std::size_t n)
{
    const ShapeId shapeId = id(collection, n);
    auto it = std::find(stack_.begin(), stack_.end(), shapeId);
    std::rotate(it, it + 1, stack_.end());
}

} // namespace vexel
