# Sourced by the packaging checks: runs the installed hosts of a root (an installed prefix or an
# unpacked package) as a user of a bare machine would, with an environment that names no data
# folder, profile or server, so that everything must come from the root itself.

# bare HOME COMMAND...: COMMAND with nothing of the caller's environment but PATH and the variables
# given before it (VAR=VALUE), its home (profile, cache, embedded store) in HOME.
bare() {
    local home=$1
    shift
    mkdir -p "$home"
    env -i PATH=/usr/bin:/bin HOME="$home" "$@"
}

# expect TEXT FILE: fails, showing FILE, unless FILE holds TEXT.
expect() {
    grep -qF -- "$1" "$2" || { echo "expected \"$1\" in:" >&2; cat "$2" >&2; return 1; }
}

# check_hosts ROOT PYTHONDIR WORK [VAR=VALUE...]: the command-line host lists the panes and shows one
# from the embedded server, and the Python module imports and answers, each with the variables given.
check_hosts() {
    local root=$1 pythondir=$2 work=$3
    shift 3
    bare "$work/home" "$@" "$root/bin/simplelinks" panes > "$work/panes.txt"
    expect "FILES" "$work/panes.txt"
    bare "$work/home" "$@" "$root/bin/simplelinks" show FILES --parent DOC DOC_ID=D100 REVISION=B > "$work/show.txt"
    expect "pump_assy.dwg" "$work/show.txt"
    bare "$work/home" "$@" PYTHONPATH="$pythondir" /usr/bin/python3 -c '
import datetime, noxsimplelinks as nox
print(nox.CreateObject("noxsimplelinks.clsDate").DateToServer(datetime.datetime(2004, 3, 5)))
print(nox.__file__)' > "$work/python.txt"
    expect "03/05/2004" "$work/python.txt"
    expect "$pythondir/noxsimplelinks" "$work/python.txt"
}
