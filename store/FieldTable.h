// What the key tables of the settings file and the player's file share: a key's field is named
// by a member pointer into one part of what the file keeps, and found in that part at run time.
#pragma once

#include <array>
#include <type_traits>
#include <variant>

namespace zandor::fields {

// A pointer to a field of one of the types T.
template <class... T>
using Pointers = std::variant<T*...>;

// True for the eight-element fields, whose keys are indexed; Element is what one key holds.
template <class T>
struct IsEight : std::false_type {
  using Element = T;
};
template <class T>
struct IsEight<std::array<T, 8>> : std::true_type {
  using Element = T;
};

// The part a member pointer points into, and the field's type.
template <class P>
struct PartOfMember;
template <class T, class Part>
struct PartOfMember<T Part::*> {
  using Type = Part;
  using Field = T;
};

// The field in its part, or its element at index when it has eight.
template <auto Field, class Part>
auto* FieldIn(Part& part, int index) {
  auto& field = part.*Field;
  if constexpr (IsEight<std::remove_cvref_t<decltype(field)>>::value)
    return &field[index];
  else
    return &field;
}

// The lambdas of a visit over a field's pointer, one per type.
template <class... F>
struct Overload : F... {
  using F::operator()...;
};
template <class... F>
Overload(F...) -> Overload<F...>;

}  // namespace zandor::fields

