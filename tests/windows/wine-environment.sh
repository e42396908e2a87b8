# The Wine that every Windows run of ours uses, sourced by the scripts that start one: a prefix
# of the caller's own, no debug output, and no Mono or Gecko to install (nothing here uses them).
use_wine_prefix() { # folder
  export WINEPREFIX=$1 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
}

# Makes the prefix when it is not there yet; its windows need an X server (DISPLAY).
make_wine_prefix() { # folder
  use_wine_prefix "$1"
  [[ -f $WINEPREFIX/system.reg ]] && return
  wineboot --init >/dev/null 2>&1
  wineserver --wait
}
