# bash completion for Brisvane                             -*- shell-script -*-
# Every option takes its value after "=" in the same argument.

_Brisvane() {
    local cur prev words cword split
    _init_completion -s || return

    if [[ $split == true ]]; then
        case $prev in
            --mode) COMPREPLY=($(compgen -W 'get new' -- "$cur")) ;;
            --format) COMPREPLY=($(compgen -W 'html csv' -- "$cur")) ;;
            --root-dir | --res-dir) _filedir -d ;;
            --res-file) _filedir ;;
            --in-doc) _filedir '@(html|htm|csv)' ;;
        esac
        return
    fi

    COMPREPLY=($(compgen -W '--help --mode= --root-dir= --format= --ignore=
        --res-file= --in-doc= --res-dir= --log-preprocess' -- "$cur"))
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
} &&
    complete -F _Brisvane Brisvane

# ex: filetype=sh
