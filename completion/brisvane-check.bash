# bash completion for brisvane-check                       -*- shell-script -*-
# Options take their value as the next argument or after "=".

_brisvane_check() {
    local cur prev words cword split
    _init_completion -s || return

    case $prev in
        --format)
            COMPREPLY=($(compgen -W 'html csv' -- "$cur"))
            return
            ;;
        --root-dir)
            _filedir -d
            return
            ;;
        --in-doc)
            _filedir '@(html|htm|csv)'
            return
            ;;
        --write-clean)
            _filedir
            return
            ;;
        --tads)
            COMPREPLY=($(compgen -W '2 3' -- "$cur"))
            return
            ;;
        --ignore)
            return
            ;;
        -h | --help | -V | --version)
            return
            ;;
    esac
    $split && return

    COMPREPLY=($(compgen -W '--root-dir --format --in-doc --ignore --write-clean
        --tads --help --version' -- "$cur"))
} &&
    complete -F _brisvane_check brisvane-check

# ex: filetype=sh
