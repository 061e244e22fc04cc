# cmake -P: where the udev rule goes for each install prefix.
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/../../packaging/UdevRulesDir.cmake)

set(cases
  "/usr|/lib/udev|/lib/udev/rules.d"
  "/usr/|/lib/udev|/lib/udev/rules.d"
  "/usr||/usr/lib/udev/rules.d"
  "/usr/local|/lib/udev|/etc/udev/rules.d"
  "/opt/veltrax||/etc/udev/rules.d"
  "/home/me/.local|/lib/udev|/etc/udev/rules.d")
set(failed FALSE)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 prefix)
  list(GET fields 1 udevdir)
  list(GET fields 2 expected)
  veltrax_udev_rules_dir("${prefix}" "${udevdir}" dir)
  if(NOT dir STREQUAL expected)
    message(SEND_ERROR "prefix ${prefix} (udevdir '${udevdir}'): ${dir}, expected ${expected}")
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "the udev rule would land where udev does not read it")
endif()
