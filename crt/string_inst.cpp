// The members of std::string. The standard headers declare them extern,
// to be taken from the prebuilt library; we build them here instead, with
// the programs' own flags, as the prebuilt ones are made for the Pentium
// Pro.
#include <string>

template class std::__cxx11::basic_string<char>;
