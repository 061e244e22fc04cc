# Where udev reads a rule installed with a given prefix: for /usr, what
# distribution packages use, udev's own folder (udevdir of udev.pc, else
# /usr/lib/udev); for any other prefix /etc/udev/rules.d, since udev never
# reads rules under /usr/local or /opt.
function(veltrax_udev_rules_dir prefix system_udev_dir out)
  string(REGEX REPLACE "/+$" "" prefix "${prefix}")
  if(prefix STREQUAL "/usr")
    if(system_udev_dir)
      set(dir "${system_udev_dir}/rules.d")
    else()
      set(dir "/usr/lib/udev/rules.d")
    endif()
  else()
    set(dir "/etc/udev/rules.d")
  endif()
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()
