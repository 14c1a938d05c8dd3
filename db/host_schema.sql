-- Tables of the host business system, as far as Quelvar reads and writes them.
--
-- These tables belong to the host system, which creates and maintains them; Quelvar never creates or
-- alters them. This file rebuilds them on an empty database so that the tests and the demo have
-- something real to talk to. Column types that Quelvar does not depend on are a plausible guess.
--
-- Plain SQL only: it is loaded both with psql and through a single PQexec call.
--
-- Naming: every column starts with its table's name; a column ending in "parcod" is a party code
-- (client, company, user, representative, carrier) and refers to par.parcod. Flags are 'S'/'N'.

-- Parties: every person or company the host system knows, whatever its role.
create table public.par (
    parcod      integer      not null,
    pardes      varchar(120) not null,
    parfan      varchar(120),
    parcnpjcpf  varchar(20),
    parsit      varchar(1)   not null default 'A',  -- 'A' active; anything else is inactive
    constraint par_pk primary key (parcod)
);

-- Fiscal operations; opnfsta 'G' marks an operation whose invoices may be grouped into one order.
create table public.opnf (
    opnfcod  integer     not null,
    opnfdes  varchar(60) not null,
    opnfsta  varchar(1)  not null,
    constraint opnf_pk primary key (opnfcod)
);

-- Payment plans; plpgpzmedio is the plan's average term in days.
create table public.plpg (
    plpgcod      integer       not null,
    plpgdes      varchar(60)   not null,
    plpgpzmedio  numeric(10,2) not null default 0,
    constraint plpg_pk primary key (plpgcod)
);

-- Charging types, each valid for a range of average payment terms (both bounds inclusive).
create table public.tc (
    tccod         integer       not null,
    tcdes         varchar(60)   not null,
    tcpzmediomin  numeric(10,2) not null default 0,
    tcpzmediomax  numeric(10,2) not null default 0,
    constraint tc_pk primary key (tccod)
);

-- Clients: the parties that buy, with their payment plan (none yet for a client still being set up).
create table public.cli (
    cliparcod            integer not null,
    cli_plano_pagamento  integer,
    constraint cli_pk primary key (cliparcod),
    constraint cli_par_fk foreign key (cliparcod) references public.par (parcod),
    constraint cli_plpg_fk foreign key (cli_plano_pagamento) references public.plpg (plpgcod)
);

-- Charging types a client may use; the lowest clitcseq that fits the plan wins.
create table public.clitc (
    clitccod        integer not null,
    clitccliparcod  integer not null,
    clitctccod      integer not null,
    clitcseq        integer not null default 1,
    constraint clitc_pk primary key (clitccod),
    constraint clitc_cli_fk foreign key (clitccliparcod) references public.cli (cliparcod),
    constraint clitc_tc_fk foreign key (clitctccod) references public.tc (tccod)
);

create index clitc_cliparcod_idx on public.clitc (clitccliparcod, clitcseq);

-- Invoice headers. An invoice is identified within its issuing company, which is why its items are
-- looked up by code and company together.
create table public.nf (
    nfcod               integer       not null,
    nfempparcod         integer       not null,
    nfparcod            integer       not null,
    nfnum               integer       not null,
    nfserie             varchar(4),
    nfdtemi             date          not null,
    nfdtsai             date,
    nfhrsai             time,
    nfopnfcod           integer       not null,
    nfsta               char(2),
    nfespecie           char(4),
    nfmodelo            varchar(10),
    nftipoemissao       char(1),
    nftipofrete         char(1),
    nfufsigla           char(2),
    nfmuncod            integer,
    nfvl                numeric(14,4),
    nfvlpro             numeric(14,4),
    nfvldesc            numeric(14,4),
    nfvlfrete           numeric(14,4),
    nfvlseguro          numeric(14,4),
    nfvloutrasdesp      numeric(14,4),
    nfbcicms            numeric(14,4),
    nfvlicms            numeric(14,4),
    nfbcicmsst          numeric(14,4),
    nfvlicmsst          numeric(14,4),
    nfvlipi             numeric(14,4),
    nfvlisento          numeric(14,4),
    nfvloutros          numeric(14,4),
    nfvlcreddevol       numeric(14,4),
    nfpesoliq           numeric(14,4),
    nfpesobruto         numeric(14,4),
    nfvol               numeric(14,4),
    nfnumvol            numeric(14,4),
    nfmetrocubico       numeric(14,4),
    nfespecievolume     varchar(20),
    nfnumeracaovolume   varchar(20),
    nfpvcod             integer,
    nfrefpvcod          integer,
    nfrefnfcod          integer,
    nfplpgcod           integer,
    nftccod             integer,
    nfrcaparcod         integer,
    nfrcaauxparcod      integer,
    nfsupparcod         integer,
    nftranspcod         integer,
    nfcarcod            integer,
    nfcarcodorig        integer,
    nfordcar            integer,
    nfveicod            integer,
    nfmotparcod         integer,
    nfconhecfretecod    integer,
    nfctecod            integer,
    nfmdfecod           integer,
    nfservcod           integer,
    nfpccod             integer,
    nfpdvcod            integer,
    nf_num_cupom        integer,
    nf_conta_id         integer,
    nf_cc_id            integer,
    nfdevolnum          integer,
    nfdevolserie        varchar(4),
    nfdevolnfcod        integer,
    nfmotivdevolnfcod   integer,
    nfvendfutnum        integer,
    nfvendfutserie      varchar(4),
    nfvendfutnfcod      integer,
    nfcadusuparcod      integer,
    nfcadhorario        timestamp,
    nfaltusuparcod      integer,
    nfalthorario        timestamp,
    nfefetusuparcod     integer,
    nfefetdt            timestamp,
    nfdesagusuparcod    integer,
    nfdesaghorario      timestamp,
    nfsefazusuparcod    integer,
    nfsefazhorario      timestamp,
    nfsefazsituacao     varchar(20),
    nfsefazchave        varchar(50),
    nfsefazprotocolo    text,
    nfsefazmens         text,
    nfsefazobs          text,
    nfarquivoxml        varchar(100),
    nfobs               text,
    constraint nf_pk primary key (nfcod, nfempparcod),
    constraint nf_emp_fk foreign key (nfempparcod) references public.par (parcod),
    constraint nf_par_fk foreign key (nfparcod) references public.par (parcod),
    constraint nf_opnf_fk foreign key (nfopnfcod) references public.opnf (opnfcod)
);

create index nf_parcod_dtemi_idx on public.nf (nfparcod, nfdtemi);

-- Invoice items.
create table public.nfi (
    nfinfcod          integer       not null,
    nfinfempparcod    integer       not null,
    nfinfparcod       integer,
    nfinfnum          integer,
    nfiseq            integer       not null,
    nfiprocod         integer       not null,
    nfiproref         char(10),
    nfiuvecod         integer,
    nfiuvedes         varchar(60),
    nfiuveun          varchar(10),
    nfiuvemult        numeric(14,4),
    nfiqtde           numeric(14,4),
    nfiqtdecorte      numeric(14,4),
    nfivltabunit      numeric(14,6),
    nfivlunit         numeric(14,6),
    nfivl             numeric(14,4),
    nfivlfrete        numeric(14,4),
    nfivldesc         numeric(14,4),
    nficustocompra    numeric(14,4),
    nficustoreal      numeric(14,4),
    nfivlicmsst       numeric(14,4),
    nfivlipi          numeric(14,4),
    nfibasedebcred    numeric(14,4),
    nfimetrocubico    numeric(14,4),
    nfiinfadprod      char(254),
    nfipedcli         integer,
    nficadusuparcod   integer,
    nficadhorario     timestamp,
    nfialtusuparcod   integer,
    nfialthorario     timestamp,
    constraint nfi_pk primary key (nfinfcod, nfinfempparcod, nfiseq),
    constraint nfi_nf_fk foreign key (nfinfcod, nfinfempparcod) references public.nf (nfcod, nfempparcod)
);

-- Sales order numbers. Kept within 32 bits: order numbers travel as 32-bit integers.
create sequence public.pv_pvcod_seq as integer start with 1;

-- Sales order headers.
create table public.pv (
    pvcod                  integer       not null default nextval('public.pv_pvcod_seq'),
    pvcadusuparcod         integer,
    pvcadhorario           timestamp,
    pvaltusuparcod         integer,
    pvalthorario           timestamp,
    pvacao                 varchar(30),
    pvnumped               integer,
    pvempparcod            integer,
    pvcanal                varchar(2),
    pvsta                  varchar(2),
    pvcliparcod            integer,
    pvopnfcod              integer,
    pvplpgcod              integer,
    pvvltotal              numeric(14,4),
    pvvlfrete              numeric(14,4),
    pvvlseguro             numeric(14,4),
    pvindice               integer,
    pvrcaparcod            integer,
    pvrcaauxparcod         integer,
    pvobsped               text,
    pvobsmapa              varchar(254),
    pvobsnf                text,
    pvpedcli               varchar(30),
    pvdtprog               date,
    pvcarcod               integer,
    pvnomecliente          varchar(120),
    pvecfnumserie          varchar(30),
    pvecfcpf               varchar(20),
    pvfvcodrem             integer,
    pvfvenvio              varchar(20),
    pvfvresposta           varchar(254),
    pvtmecod               integer,
    pvusuparcodalterando   integer,
    pvcbopcod              integer,
    pvdtpalm               date,
    pvrefpvcod             integer,
    pvcupomecf             integer,
    pvpdv                  integer,
    pvnumserieecf          varchar(30),
    pvdescpvcod            integer,
    pvbloq                 varchar(1),
    pvbloqusuparcod        integer,
    pvbloqhorario          timestamp,
    pvbloqobs              varchar(254),
    pv_conf_cega_liberado  varchar(1),
    pvtipofrete            integer,
    pvcarcodorig           integer,
    pvvol                  numeric(14,4),
    pvcliendcod            integer,
    pvpdvnum               varchar(20),
    pvcupnum               varchar(20),
    pvpesoliq              numeric(14,4),
    pvpesobruto            numeric(14,4),
    pvtranspparcod         integer,
    pvvlfreteentrega       numeric(14,4),
    pvdtentrega            date,
    pvsit                  varchar(20),
    pvimpresso             varchar(1),
    pvpropcod              integer,
    pvmetrocubico          numeric(14,4),
    pvobscx                varchar(254),
    pvnumautorizacao       varchar(50),
    pvrefnfcod             integer,
    pvvldesc               numeric(14,4),
    pvvltotalate           numeric(14,4),
    pvvltotalatecar        numeric(14,4),
    pvcol                  integer,
    pvtccod                integer,
    constraint pv_pk primary key (pvcod)
);

alter sequence public.pv_pvcod_seq owned by public.pv.pvcod;

-- Sales order items: one line per product and company within an order.
create table public.pvi (
    pvicadusuparcod   integer,
    pvicadhorario     timestamp,
    pvialtusuparcod   integer,
    pvialthorario     timestamp,
    pviacao           varchar(30),
    pvicanal          varchar(2),
    pvipvempparcod    integer       not null,
    pvipvcod          integer       not null,
    pviprocod         integer       not null,
    pviuvecod         integer,
    pviuvedes         varchar(60),
    pviuveun          varchar(10),
    pviuvemult        numeric(14,4),
    pviqtde           numeric(14,4),
    pviqtdeate        numeric(14,4),
    pviqtdeatecar     numeric(14,4),
    pvivltab          numeric(14,6),
    pvivlven          numeric(14,6),
    pvivltotal        numeric(14,4),
    pvicustocompra    numeric(14,4),
    pvicustoreal      numeric(14,4),
    pvipromcod        integer,
    pviletraaliqecf   varchar(4),
    pvidescqtdecod    integer,
    pvicbprocod       integer,
    pvivlst           numeric(14,4),
    pvivlipi          numeric(14,4),
    pviseq            integer,
    pvibasedebcred    numeric(14,4),
    pvilote           integer,
    pvivlfrete        numeric(14,4),
    pvidescflex       numeric(14,4),
    pviinfadprod      varchar(254),
    pvipedcli         integer,
    pvimetrocubico    numeric(14,4),
    constraint pvi_pk primary key (pvipvcod, pvipvempparcod, pviprocod),
    -- An order's lines are written before its header, inside the same transaction, so the
    -- reference is only checked at commit.
    constraint pvi_pv_fk foreign key (pvipvcod) references public.pv (pvcod)
        deferrable initially deferred
);
