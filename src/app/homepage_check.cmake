# varuno_homepage_is_valid(<address> <result-variable>): whether <address> is
# an http or https address of a host only (scheme://host: no user, port,
# path, query, fragment or trailing slash), as the homepage must be.
function(varuno_homepage_is_valid address result)
  set(label "[A-Za-z0-9]([A-Za-z0-9-]*[A-Za-z0-9])?")
  if(address MATCHES "^https?://${label}(\\.${label})*$")
    set(${result} TRUE PARENT_SCOPE)
  else()
    set(${result} FALSE PARENT_SCOPE)
  endif()
endfunction()
