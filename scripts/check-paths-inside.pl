#!/usr/bin/perl
# Fails when a tracked file refers to a path outside the repository, which a fresh clone on
# another machine does not have:
#   - an absolute path into someone's machine: /work, /root, /home/<name>, /Users/<name>,
#     /mnt/<name>, C:\Users\<name> (system paths such as /usr/share, /tmp or /proc are fine);
#   - a path that climbs with `..` above the repository's top folder. It is followed from what
#     it starts at: the top folder (${PROJECT_SOURCE_DIR}, ${CMAKE_SOURCE_DIR}, $root), the
#     file's own folder (${CMAKE_CURRENT_SOURCE_DIR}, $here, "$(dirname "$0")", an #include, a
#     link in a page), and for a path that starts with `..` in a script or a document, both the
#     file's folder and the top folder, since those name paths from where they are run or from
#     the top. A path that starts at any other variable cannot be followed and is left alone;
#   - a tracked symbolic link that points outside.
#
#   scripts/check-paths-inside.pl [REPOSITORY, default the one this script is in]
use strict;
use warnings;

my $repo = $ARGV[0] // do { my $d = $0; $d =~ s{/?[^/]*$}{}; ($d eq '' ? '.' : $d) . '/..' };
chdir $repo or die "check-paths-inside: cannot enter $repo: $!\n";

my $found = 0;
sub report {
    my ($where, $text, $why) = @_;
    print "$where: '$text' $why\n";
    $found++;
}

# The depth a path reaches from `$depth` folders below the top, or -1 once it climbs above it.
sub depth_after {
    my ($depth, $path) = @_;
    for my $part (split m{[/\\]+}, $path) {
        next if $part eq '' || $part eq '.';
        $depth += $part eq '..' ? -1 : 1;
        return -1 if $depth < 0;
    }
    return $depth;
}

my $machine = qr{
    (?<![\w.~\$\}\)/\\-])                         # not the tail of a longer path or a URL
    ( /work(?=[/"'`\s)]|$) [^\s"'`)]*
    | /root(?=[/"'`\s)]|$) [^\s"'`)]*
    | /(?:home|Users|mnt)/[\w.-]+ [^\s"'`)]*
    | [A-Za-z]:\\+Users\\+[\w.-]+ )
}x;
my $root_anchor = qr{\$\{(?:PROJECT_SOURCE_DIR|CMAKE_SOURCE_DIR)\}|\$\{?root\b\}?};
my $own_anchor = qr{\$\{(?:CMAKE_CURRENT_SOURCE_DIR|CMAKE_CURRENT_LIST_DIR)\}|\$\{?here\b\}?
                   |\$\(dirname\s+"?\$(?:0|\{BASH_SOURCE\[0\]\})"?\)}x;
# A path with a `..` part: what it starts at, then the path itself.
my $climb = qr{
    ( $root_anchor | $own_anchor | \$\{?\w+\}? | \$\([^)]*\) )?   # what it starts at, if anything
    ( [/\\]* (?:[\w.@+-]+[/\\]+)* \.\.(?=[/\\\s"`)]|$) (?:[/\\]+[\w.@+-]*)* )   # the path
}x;

sub check_climbs {
    my ($where, $line, $file_depth, $is_code, $in_link) = @_;
    while ($line =~ /$climb/g) {
        my ($start, $path) = ($1, $2);
        my $before = substr($line, 0, $-[0]);
        next if $before =~ m{(?:[\w.]|://|[\w.-]/)$};    # inside a word, a URL or a longer path
        next if !defined $start && $path =~ m{^[/\\]};   # an absolute path: not a climb
        next if !defined $start && $path =~ m{^[./\\]*$};  # the notation `..` alone names nothing
        my @bases;
        if (!defined $start) {
            @bases = ($file_depth);
            push @bases, 0 unless $is_code || $before =~ $in_link;
        } elsif ($start =~ /^$root_anchor$/) {
            @bases = (0);
        } elsif ($start =~ /^$own_anchor$/) {
            @bases = ($file_depth);
        } else {
            next;    # another variable: where it points is not known here
        }
        $path =~ s{^[/\\]+}{};
        for my $base (@bases) {
            if (depth_after($base, $path) < 0) {
                report($where, ($start // '') . ($start ? '/' : '') . $path,
                       'climbs out of the repository');
                last;
            }
        }
    }
}

open(my $list, '-|', 'git', 'ls-files', '-s', '-z') or die "check-paths-inside: git: $!\n";
local $/ = "\0";
my @entries = <$list>;
close $list or die "check-paths-inside: git ls-files failed in $repo\n";
chomp @entries;

for my $entry (@entries) {
    my ($mode, $file) = $entry =~ /^(\d+) \S+ \d+\t(.*)$/s or next;
    my $file_depth = () = $file =~ m{/}g;
    if ($mode eq '120000') {
        my $target = readlink($file) // next;
        report($file, $target, 'is a link out of the repository')
            if $target =~ m{^/} || depth_after($file_depth, $target) < 0;
        next;
    }
    next if $mode eq '160000';    # a submodule is a repository of its own
    open(my $in, '<', $file) or next;
    local $/;
    my $text = <$in>;
    close $in;
    # A picture or a sound is no text: control characters, or bytes that are not UTF-8.
    next if !defined $text || $text =~ /[\x00-\x08\x0e-\x1a\x1c-\x1f\x7f]/;
    next unless utf8::decode(my $decoded = $text);
    # Paths in C, C++ and CMake are the compiler's and CMake's: relative to the file's folder.
    my $is_code = $file =~ m{(?:\.(?:c|cc|cpp|cxx|h|hh|hpp|cmake)|CMakeLists\.txt)$};
    my $in_link = $file =~ /\.md$/ ? qr{\]\($} : $file =~ /\.html?$/ ? qr{(?:href|src)="$} : qr{(?!)};
    my $n = 0;
    for my $line (split /\n/, $text) {
        $n++;
        my $where = "$file:$n";
        while ($line =~ /$machine/g) {
            (my $path = $1) =~ s/[.,;:]+$//;    # the sentence's punctuation is not the path's
            report($where, $path, 'is a path on one machine');
        }
        check_climbs($where, $line, $file_depth, $is_code, $in_link);
    }
}

if ($found) {
    print "check-paths-inside: $found reference(s) to paths outside the repository\n";
    exit 1;
}
