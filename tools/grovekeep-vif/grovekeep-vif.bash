# bash completion for grovekeep-vif, Grovekeep's package tool        -*- shell-script -*-
#
# Installed as bash-completion/completions/grovekeep-vif, where bash-completion loads it on
# first use; it also works sourced on its own, without bash-completion's helpers.

# Completes the word being typed as a file name: "vif" for packages (and the folders that may
# hold them), "dir" for folders, nothing for any file.
_grovekeep_vif_files() {
    local kind=$1
    if declare -F _filedir >/dev/null; then
        case $kind in
            vif) _filedir vif ;;
            dir) _filedir -d ;;
            *) _filedir ;;
        esac
        return
    fi
    local IFS=$'\n'
    case $kind in
        vif) COMPREPLY=($(compgen -d -- "$cur") $(compgen -f -X '!*.[vV][iI][fF]' -- "$cur")) ;;
        dir) COMPREPLY=($(compgen -d -- "$cur")) ;;
        *) COMPREPLY=($(compgen -f -- "$cur")) ;;
    esac
    compopt -o filenames 2>/dev/null
}

_grovekeep_vif() {
    local cur prev words cword
    if declare -F _init_completion >/dev/null; then
        _init_completion || return
    else
        cur=${COMP_WORDS[COMP_CWORD]}
        prev=${COMP_WORDS[COMP_CWORD - 1]}
        words=("${COMP_WORDS[@]}")
        cword=$COMP_CWORD
    fi
    COMPREPLY=()

    if ((cword == 1)); then
        COMPREPLY=($(compgen -W 'list extract pack install history undo verify prune
            --help --version' -- "$cur"))
        return
    fi

    case $prev in
        --game-folder | --manager-folder)
            _grovekeep_vif_files dir
            return
            ;;
        --older-than) # a number of days
            return
            ;;
        --files-from)
            _grovekeep_vif_files
            return
            ;;
    esac

    local command=${words[1]} options
    case $command in
        list) options='--json' ;;
        extract) options='--manager-folder' ;;
        pack) options='--files-from --manager-folder' ;;
        install) options='--game-folder --manager-folder --dry-run --json' ;;
        history) options='--manager-folder --json' ;;
        undo) options='--force --manager-folder' ;;
        verify) options='--store --manager-folder --json' ;;
        prune) options='--older-than --even-installed --dry-run --manager-folder' ;;
        *) return ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options --help" -- "$cur"))
        return
    fi

    # How many arguments that are neither options nor their values come before this one.
    local k n=0
    for ((k = 2; k < cword; k++)); do
        case ${words[k]} in
            --game-folder | --manager-folder | --older-than | --files-from) ((k++)) ;;
            -*) ;;
            *) ((n++)) ;;
        esac
    done
    case $command in
        list | install)
            ((n == 0)) && _grovekeep_vif_files vif
            ;;
        extract)
            case $n in
                0) _grovekeep_vif_files vif ;;
                1) _grovekeep_vif_files dir ;;
            esac
            ;;
        pack)
            # PACKAGE, then pairs of FILE and INSTALL_PATH (a Windows path: not completed).
            if ((n == 0)); then
                _grovekeep_vif_files vif
            elif ((n % 2 == 1)); then
                _grovekeep_vif_files
            fi
            ;;
    esac
    # undo and verify take the id of an operation, which 'grovekeep-vif history' lists;
    # running the tool here would recover an interrupted operation, so ids are not offered.
    return 0
} &&
    complete -F _grovekeep_vif grovekeep-vif
