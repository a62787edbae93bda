// The browser build's C++ library (emscripten 3.1's libc++ 14) lacks C++20's make_shared for arrays
// and make_unique_for_overwrite, which the desktop's library has. This header is put in front of
// every file of the browser build (and only there), so the shared code stays written for the
// standard.
#pragma once

#include <cstddef>
#include <memory>
#include <type_traits>
#include <version>

#if !defined(__cpp_lib_shared_ptr_arrays) || __cpp_lib_shared_ptr_arrays < 201707L
namespace std {

template <class T>
  requires is_unbounded_array_v<T>
shared_ptr<T> make_shared(size_t count) {
  return shared_ptr<T>(new remove_extent_t<T>[count]());
}

template <class T>
  requires is_unbounded_array_v<T>
shared_ptr<T> make_shared_for_overwrite(size_t count) {
  return shared_ptr<T>(new remove_extent_t<T>[count]);
}

}  // namespace std
#endif

#if !defined(__cpp_lib_smart_ptr_for_overwrite) || __cpp_lib_smart_ptr_for_overwrite < 202002L
namespace std {

template <class T>
  requires(!is_array_v<T>)
unique_ptr<T> make_unique_for_overwrite() {
  return unique_ptr<T>(new T);
}

}  // namespace std
#endif
