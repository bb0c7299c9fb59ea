# The parts that need a package the program itself does not: the tests
# (GoogleTest) and the benchmarks (Google Benchmark). Their options take AUTO,
# ON or OFF: AUTO builds the part when its package is installed and says in
# one line when it is not, ON asks for it and fails without it, OFF leaves it
# out.

function(metrova_auto_option name help)
    set(${name} AUTO CACHE STRING "${help}: AUTO, ON or OFF")
    set_property(CACHE ${name} PROPERTY STRINGS AUTO ON OFF)
    # A cache written before AUTO existed holds option()'s BOOL ON: a default,
    # not a request.
    get_property(type CACHE ${name} PROPERTY TYPE)
    if(type STREQUAL "BOOL" AND ${name})
        set_property(CACHE ${name} PROPERTY TYPE STRING)
        set_property(CACHE ${name} PROPERTY VALUE AUTO)
    endif()
endfunction()

# Sets <option>_FOUND when the part is to be built; debian_package names what
# to install. Imported targets that find_package makes here stay visible to
# the calling directory and its children.
function(metrova_find_for option package what debian_package)
    string(TOUPPER "${${option}}" mode)
    set(found FALSE)
    if(mode STREQUAL "AUTO")
        find_package(${package} QUIET)
        if(${package}_FOUND)
            set(found TRUE)
        else()
            message(STATUS "No ${what}: ${package} not found (Debian: ${debian_package}; ${option}=ON makes it an error)")
        endif()
    elseif(${option})
        find_package(${package} REQUIRED)
        set(found TRUE)
    endif()
    set(${option}_FOUND ${found} PARENT_SCOPE)
endfunction()
