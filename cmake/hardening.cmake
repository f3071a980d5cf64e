# The hardening Debian's packages get from dpkg-buildflags (hardening=+all),
# for every build: stack protection, fortified libc calls (which need the
# optimiser, so not in Debug), position-independent executables, and a
# relocation table made read-only once the program is loaded.
include(CheckCXXCompilerFlag)
include(CheckPIESupported)

foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "have${flag}" have_flag)
  check_cxx_compiler_flag(${flag} ${have_flag})
  if(${have_flag})
    add_compile_options(${flag})
  endif()
endforeach()
add_compile_options(-Wformat -Werror=format-security)
add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()
add_link_options(LINKER:-z,relro LINKER:-z,now)
