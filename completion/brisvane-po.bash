# bash completion for brisvane-po                          -*- shell-script -*-
# A command first (extract, apply, check, import, play), then its options; every option but
# -o takes its value after "=" in the same argument.

_brisvane_po() {
    local cur prev words cword split
    _init_completion -s || return

    if [[ $split == true ]]; then
        case $prev in
            --format) COMPREPLY=($(compgen -W 'html csv' -- "$cur")) ;;
            --context) COMPREPLY=($(compgen -W 'definition' -- "$cur")) ;;
            --from-charset) COMPREPLY=($(compgen -W 'cp1251 utf-8 koi8-r iso-8859-5' -- "$cur")) ;;
            --to-charset) COMPREPLY=($(compgen -W 'auto source utf-8' -- "$cur")) ;;
            --tads) COMPREPLY=($(compgen -W '2 3' -- "$cur")) ;;
            --output | --play-from) _filedir '@(po|pot)' ;;
            --root-dir | --res-dir | --lib-dir) _filedir -d ;;
            --po) _filedir '@(po|pot)' ;;
            --report) _filedir '@(html|htm)' ;;
            --commands) _filedir ;;
            --build | --run) COMPREPLY=($(compgen -c -- "$cur")) ;;
            --in-doc) _filedir '@(html|htm|csv)' ;;
        esac
        return
    fi
    if [[ $prev == -o ]]; then
        _filedir '@(po|pot)'
        return
    fi

    local command="" word
    for word in "${words[@]:1:cword-1}"; do
        case $word in
            extract | apply | check | import | play) command=$word && break ;;
        esac
    done
    local options
    case $command in
        extract) options='--root-dir= --ignore= --tads= --from-charset= --lib-dir= --context= --play-from= -o --output= --help' ;;
        apply) options='--root-dir= --po= --res-dir= --ignore= --tads= --from-charset= --lib-dir= --to-charset= --help' ;;
        check) options='--root-dir= --po= --ignore= --tads= --from-charset= --lib-dir= --help' ;;
        import) options='--root-dir= --format= --in-doc= --ignore= --tads= -o --output= --help' ;;
        play) options='--root-dir= --build= --run= --commands= -o --output= --po= --report= --jobs= --timeout= --ignore= --tads= --from-charset= --lib-dir= --to-charset= --help' ;;
        *) options='extract apply check import play --help --version' ;;
    esac
    COMPREPLY=($(compgen -W "$options" -- "$cur"))
    [[ ${COMPREPLY-} == *= ]] && compopt -o nospace
} &&
    complete -F _brisvane_po brisvane-po

# ex: filetype=sh
